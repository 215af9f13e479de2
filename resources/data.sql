-- The reference lists of the Settings window. The build makes data.mdb (an SQLite file) from
-- this script, beside the program; change the lists here, never in data.mdb.

PRAGMA encoding = 'UTF-8';
BEGIN;

CREATE TABLE "List of Windows MMC files" (
  "Name"     VARCHAR(255),
  "MMC File" VARCHAR(64)
);

INSERT INTO "List of Windows MMC files" ("Name", "MMC File") VALUES
  ('Authorization Manager',                             'azman.msc'),
  ('Certificates - Current User',                       'certmgr.msc'),
  ('Certificates - Local Computer',                     'certlm.msc'),
  ('Component Services',                                'comexp.msc'),
  ('Computer Management',                               'compmgmt.msc'),
  ('Device Manager',                                    'devmgmt.msc'),
  ('Disk Management',                                   'diskmgmt.msc'),
  ('Event Viewer',                                      'eventvwr.msc'),
  ('Hyper-V Manager',                                   'virtmgmt.msc'),
  ('Local Group Policy Editor',                         'gpedit.msc'),
  ('Local Security Policy',                             'secpol.msc'),
  ('Local Users and Groups',                            'lusrmgr.msc'),
  ('Performance Monitor',                               'perfmon.msc'),
  ('Print Management',                                  'printmanagement.msc'),
  ('Resultant Set of Policy',                           'rsop.msc'),
  ('Services',                                          'services.msc'),
  ('Shared Folders',                                    'fsmgmt.msc'),
  ('Task Scheduler',                                    'taskschd.msc'),
  ('Trusted Platform Module (TPM) Management',          'tpm.msc'),
  ('Windows Defender Firewall with Advanced Security',  'wf.msc'),
  ('WMI Control',                                       'wmimgmt.msc');

CREATE TABLE "List of Windows Server MMC files" (
  "Name"     VARCHAR(255),
  "MMC File" VARCHAR(64)
);

INSERT INTO "List of Windows Server MMC files" ("Name", "MMC File") VALUES
  ('Active Directory Domains and Trusts',               'domain.msc'),
  ('Active Directory Schema',                           'schmmgmt.msc'),
  ('Active Directory Sites and Services',               'dssite.msc'),
  ('Active Directory Users and Computers',              'dsa.msc'),
  ('ADSI Edit',                                         'adsiedit.msc'),
  ('Certificate Templates',                             'certtmpl.msc'),
  ('Certification Authority',                           'certsrv.msc'),
  ('DFS Management',                                    'dfsmgmt.msc'),
  ('DHCP',                                              'dhcpmgmt.msc'),
  ('DNS Manager',                                       'dnsmgmt.msc'),
  ('Enterprise PKI',                                    'pkiview.msc'),
  ('Failover Cluster Manager',                          'cluadmin.msc'),
  ('Fax Service Manager',                               'fxsadmin.msc'),
  ('File Server Resource Manager',                      'fsrm.msc'),
  ('Group Policy Management',                           'gpmc.msc'),
  ('Group Policy Management Editor',                    'gpme.msc'),
  ('Group Policy Starter GPO Editor',                   'gptedit.msc'),
  ('Network Policy Server',                             'nps.msc'),
  ('Online Responder Management',                       'ocsp.msc'),
  ('Remote Desktop Gateway Manager',                    'tsgateway.msc'),
  ('Remote Desktop Licensing Diagnoser',                'lsdiag.msc'),
  ('Routing and Remote Access',                         'rrasmgmt.msc'),
  ('Server Manager',                                    'servermanager.msc'),
  ('Services for Network File System (NFS)',            'nfsmgmt.msc'),
  ('Share and Storage Management',                      'storagemgmt.msc'),
  ('Telephony',                                         'tapimgmt.msc'),
  ('Windows Deployment Services',                       'wdsmgmt.msc'),
  ('Windows Server Backup',                             'wbadmin.msc'),
  ('WINS',                                              'winsmgmt.msc');

CREATE TABLE "Run Commands" (
  "Name"    VARCHAR(255),
  "Command" VARCHAR(255)
);

INSERT INTO "Run Commands" ("Name", "Command") VALUES
  ('About Windows',                    'winver'),
  ('Administrative Tools',             'control admintools'),
  ('Calculator',                       'calc'),
  ('Character Map',                    'charmap'),
  ('Color Management',                 'colorcpl'),
  ('Command Prompt',                   'cmd'),
  ('Component Services',               'dcomcnfg'),
  ('Control Panel',                    'control'),
  ('Date and Time',                    'timedate.cpl'),
  ('Device Manager',                   'hdwwiz.cpl'),
  ('Devices and Printers',             'control printers'),
  ('DirectX Diagnostic Tool',          'dxdiag'),
  ('Disk Cleanup',                     'cleanmgr'),
  ('Driver Verifier Manager',          'verifier'),
  ('File Explorer',                    'explorer'),
  ('File Signature Verification',      'sigverif'),
  ('Fonts',                            'control fonts'),
  ('Game Controllers',                 'joy.cpl'),
  ('IExpress Wizard',                  'iexpress'),
  ('Internet Properties',              'inetcpl.cpl'),
  ('Magnifier',                        'magnify'),
  ('Malicious Software Removal Tool',  'mrt'),
  ('Mouse Properties',                 'main.cpl'),
  ('Narrator',                         'narrator'),
  ('Network Connections',              'ncpa.cpl'),
  ('Notepad',                          'notepad'),
  ('ODBC Data Source Administrator',   'odbcad32'),
  ('On-Screen Keyboard',               'osk'),
  ('Optimize Drives',                  'dfrgui'),
  ('Paint',                            'mspaint'),
  ('Power Options',                    'powercfg.cpl'),
  ('Private Character Editor',         'eudcedit'),
  ('Programs and Features',            'appwiz.cpl'),
  ('Region',                           'intl.cpl'),
  ('Registry Editor',                  'regedit'),
  ('Remote Desktop Connection',        'mstsc'),
  ('Resource Monitor',                 'resmon'),
  ('Snipping Tool',                    'snippingtool'),
  ('Sound',                            'mmsys.cpl'),
  ('Startup Folder',                   'shell:startup'),
  ('Steps Recorder',                   'psr'),
  ('System Configuration',             'msconfig'),
  ('System Information',               'msinfo32'),
  ('System Properties',                'sysdm.cpl'),
  ('System Restore',                   'rstrui'),
  ('Task Manager',                     'taskmgr'),
  ('Temporary Files Folder',           '%temp%'),
  ('User Accounts',                    'netplwiz'),
  ('Volume Mixer',                     'sndvol'),
  ('Windows Defender Firewall',        'firewall.cpl'),
  ('Windows Features',                 'optionalfeatures'),
  ('Windows Memory Diagnostic',        'mdsched'),
  ('Windows Mobility Center',          'mblctr'),
  ('Windows PowerShell',               'powershell'),
  ('Windows Remote Assistance',        'msra'),
  ('WordPad',                          'write');

COMMIT;
